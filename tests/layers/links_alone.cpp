// Linked with one library, whole: building it is the check.
int main() { return 0; }
