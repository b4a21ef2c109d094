#include "BrowserEmulation_win.h"

#include "BrowserEmulation.h"
#include "ProgramIdentity.h"
#include "RegistryKey.h"

namespace {

const char kBrowserKey[] = "SOFTWARE\\Microsoft\\Internet Explorer";
const char kEmulationKey[] =
    "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";

}  // namespace

int BrowserMajorVersionAt(HKEY root, const std::string& subkey) {
  RegistryKey key(root);
  if (!key.Open(subkey, false)) return 11;
  // Newer browsers keep their real version in "svcVersion"; "Version" then reads 9.x.
  std::string version = key.ReadText("svcVersion", "");
  if (version.empty()) version = key.ReadText("Version", "");
  return version.empty() ? 11 : MajorVersionFromText(version);
}

bool RegisterBrowserEmulationAt(HKEY root, const std::string& subkey, int majorVersion) {
  const DWORD value = BrowserEmulationValue(majorVersion);
  RegistryKey key(root, true);
  if (!key.Open(subkey, false)) return false;
  const bool underOwnName = key.WriteDword(ExeFileName(), value);
  const bool underProductName = key.WriteDword("morvane.exe", value);
  return underOwnName || underProductName;
}

int BrowserMajorVersion() { return BrowserMajorVersionAt(HKEY_LOCAL_MACHINE, kBrowserKey); }

bool RegisterBrowserEmulation() {
  return RegisterBrowserEmulationAt(HKEY_LOCAL_MACHINE, kEmulationKey, BrowserMajorVersion());
}
