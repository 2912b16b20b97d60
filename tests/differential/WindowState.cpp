#include "tests/differential/WindowState.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <utility>

#include "platform/qt/BoxEdit.h"
#include "platform/qt/QtAccess.h"

namespace dct::ui::differential {
namespace {

using platform::qt::WidgetOf;

const platform::qt::BoxEdit& boxOf(const platform::TextBox* box) {
  return *static_cast<const platform::qt::BoxEdit*>(WidgetOf(*box));
}

QString colourOf(const platform::TextBox* box) { return boxOf(box).background().name(); }

QJsonArray column(const std::array<platform::TextBox*, kGridCount>& boxes,
                  QString (*read)(const platform::TextBox*)) {
  QJsonArray values;
  for (const platform::TextBox* box : boxes) values.append(read(box));
  return values;
}

int valueOf(const platform::ScrollBar* bar) {
  return static_cast<const QScrollBar*>(WidgetOf(*bar))->value();
}

QJsonValue focusIn(const Controls& c) {
  const QWidget* focused = QApplication::focusWidget();
  const QWidget* window = WidgetOf(*c.Command1)->window();
  if (focused == nullptr || !window->isAncestorOf(focused)) return QJsonValue::Null;
  return focused->objectName();
}

}  // namespace

std::string WindowStateJson(const Form1& form, const Lesson& lesson) {
  const Controls& c = form.Widgets();
  const LessonControls& l = lesson.Widgets();
  const auto caption = [](const platform::Label* label) {
    return static_cast<const QLabel*>(WidgetOf(*label))->text();
  };
  const QString link = static_cast<const QLineEdit*>(WidgetOf(*l.txtLink))->text();
  QJsonObject state{
      {"coefficientTexts",
       column(c.Text2, [](const platform::TextBox* box) { return boxOf(box).text(); })},
      {"coefficientColours", column(c.Text2, colourOf)},
      {"pixelHints",
       column(c.Text1, [](const platform::TextBox* box) { return boxOf(box).toolTip(); })},
      {"pixelGreys", column(c.Text1, colourOf)},
      {"selector", valueOf(c.HScroll1)},
      {"value", valueOf(c.HScroll2)},
      {"indicator", colourOf(c.Text3)},
      {"focus", focusIn(c)},
  };
  const std::pair<const char*, const platform::Label*> labels[] = {
      {"lessonMeasures", l.lblMeasures},
      {"lessonSteps", l.lblSteps},
      {"lessonQuality", l.lblQuality},
      {"lessonKept", l.lblKept},
      {"lessonLevel", l.lblLevel},
      {"lessonChallenge", l.lblChallenge},
      {"lessonDifferenceScale", l.lblDifferenceScale},
      {"lessonTargetScale", l.lblTargetScale},
      {"lessonPicture", l.lblPicture},
      {"lessonCode", l.lblCode}};
  for (const auto& [name, label] : labels) state[QLatin1String(name)] = caption(label);
  state["lessonLink"] = link.mid(link.indexOf(QLatin1Char('#')) + 1);
  return QJsonDocument(state).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace dct::ui::differential
