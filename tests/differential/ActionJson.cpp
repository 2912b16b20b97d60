#include "tests/differential/ActionJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <Qt>
#include <array>
#include <utility>

namespace dct::ui::differential {
namespace {

using Kind = Action::Kind;

constexpr std::array<std::pair<Kind, const char*>, 18> kKinds{{
    {Kind::ClickCoefficientBox, "ClickCoefficientBox"},
    {Kind::ClickPixelBox, "ClickPixelBox"},
    {Kind::Type, "Type"},
    {Kind::PasteDigits, "PasteDigits"},
    {Kind::ClearText, "ClearText"},
    {Kind::EditKey, "EditKey"},
    {Kind::Tab, "Tab"},
    {Kind::BackTab, "BackTab"},
    {Kind::ArrowClick, "ArrowClick"},
    {Kind::TrackClick, "TrackClick"},
    {Kind::ThumbDrag, "ThumbDrag"},
    {Kind::BarKey, "BarKey"},
    {Kind::Zero, "Zero"},
    {Kind::Reset, "Reset"},
    {Kind::PictureClick, "PictureClick"},
    {Kind::PictureKey, "PictureKey"},
    {Kind::LessonBarKey, "LessonBarKey"},
    {Kind::LessonButton, "LessonButton"},
}};

constexpr std::array<std::pair<int, const char*>, 10> kKeys{{
    {Qt::Key_Backspace, "Backspace"},
    {Qt::Key_Delete, "Delete"},
    {Qt::Key_Left, "ArrowLeft"},
    {Qt::Key_Right, "ArrowRight"},
    {Qt::Key_Up, "ArrowUp"},
    {Qt::Key_Down, "ArrowDown"},
    {Qt::Key_PageUp, "PageUp"},
    {Qt::Key_PageDown, "PageDown"},
    {Qt::Key_Home, "Home"},
    {Qt::Key_End, "End"},
}};

template <typename Key, std::size_t N>
const char* nameOf(const std::array<std::pair<Key, const char*>, N>& table, Key key) {
  for (const auto& [k, name] : table) {
    if (k == key) return name;
  }
  return "?";
}

template <typename Key, std::size_t N>
std::optional<Key> fromName(const std::array<std::pair<Key, const char*>, N>& table,
                            const QString& name) {
  for (const auto& [k, n] : table) {
    if (name == QLatin1String(n)) return k;
  }
  return std::nullopt;
}

bool hasKey(Kind kind) {
  return kind == Kind::EditKey || kind == Kind::BarKey || kind == Kind::PictureKey ||
         kind == Kind::LessonBarKey;
}
bool hasNumber(Kind kind) {
  return kind == Kind::ClickCoefficientBox || kind == Kind::ClickPixelBox ||
         kind == Kind::PasteDigits || kind == Kind::ArrowClick || kind == Kind::TrackClick ||
         kind == Kind::LessonButton;
}

}  // namespace

std::string ActionToJson(const Action& action) {
  QJsonObject object{{"kind", nameOf(kKinds, action.kind)}};
  if (action.bar != 0) object["bar"] = action.bar;
  if (hasKey(action.kind)) {
    object["key"] = nameOf(kKeys, action.number);
  } else if (hasNumber(action.kind)) {
    object["number"] = action.number;
  }
  if (action.kind == Kind::Type) object["text"] = QString::fromStdString(action.text);
  if (!action.values.empty()) {
    QJsonArray values;
    for (const int v : action.values) values.append(v);
    object["values"] = values;
  }
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

std::optional<Action> ActionFromJson(std::string_view line) {
  const QJsonDocument document =
      QJsonDocument::fromJson(QByteArray(line.data(), static_cast<qsizetype>(line.size())));
  const QJsonObject object = document.object();
  const auto kind = fromName(kKinds, object["kind"].toString());
  if (!kind) return std::nullopt;
  Action action;
  action.kind = *kind;
  action.bar = object["bar"].toInt();
  action.number = object["number"].toInt();
  if (hasKey(action.kind)) {
    const auto key = fromName(kKeys, object["key"].toString());
    if (!key) return std::nullopt;
    action.number = *key;
  }
  action.text = object["text"].toString().toStdString();
  for (const QJsonValue v : object["values"].toArray()) action.values.push_back(v.toInt());
  return action;
}

}  // namespace dct::ui::differential
