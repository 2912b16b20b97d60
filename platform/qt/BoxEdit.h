#pragma once

#include <QColor>
#include <QLineEdit>
#include <QPixmap>

namespace dct::platform::qt {

// A line edit whose background is a plain colour of its own. Setting a
// palette would do the same, but Qt resolves and propagates a palette on
// every change, which made a repaint of the 64 pixel boxes five times slower;
// here a change of colour is a stored value and an update. An empty box
// without the focus (a pixel box) is drawn from a picture of its panel made
// once per size, colour and state, since the style's rounded, antialiased
// frame was most of the cost of repainting the block.
class BoxEdit : public QLineEdit {
 public:
  explicit BoxEdit(QWidget* parent) : QLineEdit(parent) {}

  QColor background() const { return background_; }
  void setBackground(const QColor& colour);

 protected:
  void initStyleOption(QStyleOptionFrame* option) const override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap panel() const;

  QColor background_{Qt::white};
};

}  // namespace dct::platform::qt
