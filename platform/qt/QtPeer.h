#pragma once

#include <QString>
#include <QWidget>
#include <string_view>

#include "platform/ControlSettings.h"

namespace dct::platform::qt {

QString FromUtf8(std::string_view text);

// Places the widget at the control's rectangle and names it as the program
// does ("Text2(5)"), so that tests and screen readers can find it.
void PlaceWidget(QWidget* widget, const ControlIdentity& identity);

// What every control of this backend is shown by.
class WidgetHolder {
 public:
  explicit WidgetHolder(QWidget* widget) : widget_(widget) {}
  virtual ~WidgetHolder() = default;
  WidgetHolder(const WidgetHolder&) = delete;
  WidgetHolder& operator=(const WidgetHolder&) = delete;

  QWidget* widget() const { return widget_; }

 private:
  // Owned by the window, a child of it, which the window deletes.
  QWidget* widget_;
};

template <class Peer>
class QtPeer : public Peer, public WidgetHolder {
 public:
  QtPeer(QWidget* widget, const ControlIdentity& identity) : WidgetHolder(widget) {
    PlaceWidget(widget, identity);
  }

  void SetAccessibleName(std::string_view text) override {
    widget()->setAccessibleName(FromUtf8(text));
  }
  void SetAccessibleDescription(std::string_view text) override {
    widget()->setAccessibleDescription(FromUtf8(text));
  }
  // Qt draws a disabled widget so, gives it no focus and no input.
  void ShowEnabled(bool enabled) override { widget()->setEnabled(enabled); }
};

}  // namespace dct::platform::qt
