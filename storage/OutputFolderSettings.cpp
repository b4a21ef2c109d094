#include "OutputFolderSettings.h"

namespace {

const OutputFolderKeys kAreaKeys[] = {
    {"IsSavePdf", "SavePathPdf"},
    {"IsSaveTo", "SavePathTo"},
    {"IsSaveOther", "SavePathOther"},
};

}  // namespace

const OutputFolderKeys* OutputFolderKeysOf(int area) {
  if (area < 0 || area >= static_cast<int>(sizeof kAreaKeys / sizeof kAreaKeys[0])) return nullptr;
  return &kAreaKeys[area];
}

OutputFolderSetting ReadOutputFolderSetting(const CIni& ini, int area) {
  OutputFolderSetting setting;
  const OutputFolderKeys* keys = OutputFolderKeysOf(area);
  if (!keys) return setting;
  setting.custom = ini.ReadBool(keys->flagKey);
  char folder[kFolderBufferSize];
  ini.ReadStringInto(keys->folderKey, folder, sizeof folder, "");
  setting.folder = folder;
  return setting;
}

std::string JobOutputFolder(const OutputFolderSetting& setting) {
  return setting.custom ? setting.folder + "\\" : std::string();
}
