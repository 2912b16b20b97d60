#pragma once

#include <string>
#include <variant>

#include "model/picture/GreyImage.h"
#include "platform/Picture.h"

namespace dct::ui {

// What a file that the user chose gives the lesson: its picture, read as
// every edition reads one (ReadPictureFile), or one line that names the
// file and says what is wrong with it. Reads and decodes: slow for a
// photograph, so run it through Runtime::RunInBackground.
std::variant<GreyImage, std::string> ReadChosenPicture(const platform::ChosenFile& file);

// What the lesson says while the file is being read.
std::string ReadingNotice(const std::string& name);

}  // namespace dct::ui
