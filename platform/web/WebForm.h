#pragma once

#include <memory>
#include <string>

#include "platform/Peers.h"
#include "platform/web/Dom.h"
#include "platform/web/WebHint.h"

namespace dct::platform::web {

// The window as a framed box on the page, its client area exactly as large as
// the desktop's at scale 1; on a narrow screen, where the form has one, in its
// layout for fingers; drawn smaller as a whole where the page is narrower
// still. Below the main window, a line says when the program has ended.
class WebForm : public FormPeer {
 public:
  explicit WebForm(const FormSettings& settings);
  ~WebForm() override;

  void SetTabOrder(const std::vector<ControlPeer*>& controls) override;
  void TieLabel(ControlPeer& label, ControlPeer& control) override;
  void Show() override;

  // Where the controls go, and the hint that their boxes share.
  const val& client() const { return client_; }
  WebHint& hint() { return *hint_; }

  // Every window of the page takes no more input; the main one says why.
  static void CloseAll(const std::string& notice, bool failure);

 private:
  void close();
  void fitToPage();

  bool secondary_;
  double scale_ = 1.0;
  val place_;
  val box_;
  val window_;
  val client_;
  val status_;
  val firstFocus_ = val::null();
  std::unique_ptr<WebHint> hint_;
};

}  // namespace dct::platform::web
