// The floor of a process benchmark: a program that starts and exits.
int main() { return 1; }
