// Placeholder until the writer lands.
int main() { return 2; }
