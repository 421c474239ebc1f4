// Placeholder until the renderer lands.
int main() { return 0; }
