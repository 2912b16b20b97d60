#pragma once

#include <string>

#include "platform/Picture.h"

namespace dct::platform::qt {

// The file at `path` (as the system spells it) as the user chose it, under
// `name`. Only a plain file is read: anything else (a FIFO, which would keep
// a reader waiting until something writes into it; a device; a folder) and a
// file larger than kPictureFileBytesMax are refused from what stat says of
// them, now, before anything opens them; `read` then gives that refusal.
ChosenFile ChooseFile(const std::string& path, std::string name);

}  // namespace dct::platform::qt
