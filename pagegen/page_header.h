// The host's header file at the top of a page.
#pragma once

#include <string>
#include <string_view>

#include "platform/files.h"

// Copies the header file `headerName` of `folder` into the page byte for
// byte; a header that cannot be read copies nothing.
void copyPageHeader(OutputFile& page, const std::string& folder, std::string_view headerName);
