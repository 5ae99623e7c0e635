#include "app/vek_main.h"

int main(int argc, char** argv) { return vek::RunVek(argc, argv); }
