// pagegen: writes the party's status pages (not yet built).
int main() { return 1; }
