#include "ui/lesson/ChosenPicture.h"

#include <array>
#include <cstddef>
#include <new>
#include <string_view>

#include "model/picture/PictureDecoder.h"

namespace dct::ui {
namespace {

std::string_view VariantWords(PictureVariant variant) {
  constexpr std::array<std::string_view, 6> kWords{
      "",
      "é JPEG aritmético, que não se lê",
      "é JPEG sem perdas, que não se lê",
      "é JPEG hierárquico, que não se lê",
      "é JPEG de 12 ou 16 bits, que não se lê",
      "é JPEG de cores ambíguas, que não se lê",
  };
  return kWords[static_cast<std::size_t>(variant)];
}

std::string FaultWords(const PictureFault& fault) {
  const std::string format(FormatName(fault.format));
  switch (fault.kind) {
    case PictureFaultKind::Empty:
      return "está vazio";
    case PictureFaultKind::NotAPicture:
      return "não é PNG nem JPEG";
    case PictureFaultKind::Unsupported:
      if (fault.variant != PictureVariant::None) return std::string(VariantWords(fault.variant));
      return "o formato " + format + " não se lê, só PNG e JPEG";
    case PictureFaultKind::Truncated:
      return "é um " + format + " cortado antes do fim";
    case PictureFaultKind::Damaged:
      return "é um " + format + " danificado";
    case PictureFaultKind::TooLarge:
      return "tem " + std::to_string(fault.width) + "×" + std::to_string(fault.height) +
             " pixels; o limite é " + std::to_string(fault.limit);
    case PictureFaultKind::OutOfMemory:
      return "falta memória para o descodificar";
  }
  return "não se pôde ler";
}

std::string RefusalWords(const platform::FileRefusal& refusal) {
  using platform::FileRefusalKind;
  switch (refusal.kind) {
    case FileRefusalKind::NotAFile:
      return "não é um ficheiro comum";
    case FileRefusalKind::TooLarge:
      return "tem " + std::to_string(refusal.bytes) + " bytes; o limite é " +
             std::to_string(kPictureFileBytesMax);
    case FileRefusalKind::NoPermission:
      return "não há permissão para o ler";
    case FileRefusalKind::Unreadable:
      return "o sistema não o deixou ler";
    case FileRefusalKind::OutOfMemory:
      break;
  }
  return "falta memória para o ler";
}

std::string NotRead(const std::string& name, const std::string& why) {
  return "Não se leu «" + name + "»: " + why + ".";
}

}  // namespace

std::variant<GreyImage, std::string> ReadChosenPicture(const platform::ChosenFile& file) {
  try {
    const platform::FileBytes bytes = file.read();
    if (const auto* refusal = std::get_if<platform::FileRefusal>(&bytes)) {
      return NotRead(file.name, RefusalWords(*refusal));
    }
    auto read = ReadPictureFile(std::get<std::vector<std::uint8_t>>(bytes));
    if (const auto* fault = std::get_if<PictureFault>(&read)) {
      return NotRead(file.name, FaultWords(*fault));
    }
    return std::get<GreyImage>(std::move(read));
  } catch (const std::bad_alloc&) {
    return NotRead(file.name, RefusalWords({platform::FileRefusalKind::OutOfMemory}));
  }
}

std::string ReadingNotice(const std::string& name) { return "A ler «" + name + "»…"; }

}  // namespace dct::ui
