// The Absence desktop program.
#include "ui/main/startup.h"

int main(int argc, char** argv) {
  return absence::ui::RunAbsence(argc, argv);
}
