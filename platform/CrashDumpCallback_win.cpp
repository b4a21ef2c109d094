#include "CrashDumpCallback_win.h"

#include "CrashReport.h"

BOOL CALLBACK CrashDumpCallback(PVOID, PMINIDUMP_CALLBACK_INPUT input,
                                PMINIDUMP_CALLBACK_OUTPUT output) {
  if (!input || !output) return FALSE;
  switch (input->CallbackType) {
    case ModuleCallback:
      if (!input->Module.FullPath || !KeepsModuleData(input->Module.FullPath))
        output->ModuleWriteFlags &= ~ModuleWriteDataSeg;
      return TRUE;
    case ThreadCallback:
    case ThreadExCallback:
    case IncludeThreadCallback:
    case IncludeModuleCallback:
      return TRUE;
    default:
      return FALSE;
  }
}
