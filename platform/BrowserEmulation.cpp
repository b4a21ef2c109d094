#include "BrowserEmulation.h"

#include "TextHelpers.h"

unsigned long BrowserEmulationValue(int majorVersion) {
  switch (majorVersion) {
    case 7: return 7000;
    case 8: return 8000;
    case 9: return 9000;
    case 10: return 10000;
    default: return 11000;
  }
}

int MajorVersionFromText(const std::string& version) {
  return TextToInt(Split(version, ".").front());
}
