#include <QFontDatabase>
#include <QLabel>

#include "platform/qt/CompactFont.h"
#include "platform/qt/QtForm.h"
#include "platform/qt/QtPeer.h"

namespace dct::platform {
namespace qt {

// Text aligned left, no border, no access key; never takes the focus.
class QtLabel : public QtPeer<LabelPeer> {
 public:
  QtLabel(QWidget* window, const LabelSettings& settings);

  void ShowCaption(std::string_view text) override;

 private:
  QLabel* label() const { return static_cast<QLabel*>(widget()); }
  void fitFont();

  bool fixedPitch_;
};

QtLabel::QtLabel(QWidget* window, const LabelSettings& settings)
    : QtPeer(new QLabel(QString::fromStdString(settings.caption), window), settings.identity),
      fixedPitch_(settings.fixedPitch) {
  label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label()->setTextFormat(Qt::PlainText);
  label()->setFocusPolicy(Qt::NoFocus);
  fitFont();
}

void QtLabel::ShowCaption(std::string_view text) {
  label()->setText(FromUtf8(text));
  fitFont();
}

// A caption of several lines fits by its longest.
void QtLabel::fitFont() {
  if (fixedPitch_) {
    label()->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return;
  }
  QString longest;
  for (const QString& line : label()->text().split(QLatin1Char('\n'))) {
    if (line.size() > longest.size()) longest = line;
  }
  label()->setFont(FittingFont(longest, label()->width()));
}

}  // namespace qt

std::unique_ptr<LabelPeer> qt::QtForm::CreateLabel(const LabelSettings& settings) {
  return std::make_unique<QtLabel>(window(), settings);
}

}  // namespace dct::platform
