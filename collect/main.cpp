// collect: moves the result file into the working folder (not yet built).
int main() { return 255; }
