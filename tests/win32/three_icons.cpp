// A program that only carries three icon resources (magenta, cyan, yellow), for icon capture.
int main() {
  return 0;
}
