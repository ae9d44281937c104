#include "collect/result_source.h"

#ifndef COLLECT_INSTALL_DIR
#define COLLECT_INSTALL_DIR "/opt/tovanti/qz/kadmo"
#endif

std::string resultSourcePath(const char* installFolder) {
#if defined(_WIN32)
  (void)installFolder;
  return kResultSource;
#else
  std::string folder =
      installFolder != nullptr && *installFolder != '\0' ? installFolder : COLLECT_INSTALL_DIR;
  if (folder.back() != '/') folder += '/';
  return folder + kResultFileName;
#endif
}
