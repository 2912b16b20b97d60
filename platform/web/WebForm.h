#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/Peers.h"
#include "platform/web/Dom.h"
#include "platform/web/Events.h"
#include "platform/web/WebHint.h"

namespace dct::platform::web {

// The window as a framed box on the page, its client area exactly as large as
// the desktop's at scale 1; on a narrow screen, where the form has one, in its
// layout for fingers; drawn smaller as a whole where the page is narrower
// still. Below the main window, a line says when the program has ended.
class WebBackend;

class WebForm : public FormPeer {
 public:
  WebForm(WebBackend& backend, const FormSettings& settings);
  ~WebForm() override;

  // Each defined beside its control's class.
  std::unique_ptr<TextBoxPeer> CreateTextBox(const TextBoxSettings& settings,
                                             TextBoxInput& input) override;
  std::unique_ptr<ScrollBarPeer> CreateScrollBar(const ScrollBarSettings& settings,
                                                 ScrollBarInput& input) override;
  std::unique_ptr<CommandButtonPeer> CreateCommandButton(const CommandButtonSettings& settings,
                                                         ButtonInput& input) override;
  std::unique_ptr<LabelPeer> CreateLabel(const LabelSettings& settings) override;
  std::unique_ptr<PictureBoxPeer> CreatePictureBox(const PictureBoxSettings& settings,
                                                   PictureBoxInput& input) override;
  void SetTabOrder(const std::vector<ControlPeer*>& controls) override;
  void TieLabel(ControlPeer& label, ControlPeer& control) override;
  void Show() override;

  // Where the controls go, the hint that their boxes share, and the entry
  // of the browser's events.
  const val& client() const { return client_; }
  WebHint& hint() { return *hint_; }
  Events& events() { return events_; }
  // A new element made as `make` makes one of its `kind`: each after the
  // first a copy of it, one call to the page instead of a dozen.
  val Made(const std::string& kind, const std::function<val()>& make);

  // The program has ended: the window takes no more input.
  void Close();
  bool IsClosed() const { return closed_; }
  // Whether it is the program's main window rather than one beside it.
  bool IsMain() const { return !secondary_; }
  // Says below the window why it takes no more input.
  void SayEnded(const std::string& notice, bool failure);

 private:
  void fitToPage();

  WebBackend& backend_;
  Events& events_;
  bool secondary_;
  bool closed_ = false;
  double scale_ = 1.0;
  val place_;
  val box_;
  val window_;
  val client_;
  val status_;
  val firstFocus_ = val::null();
  std::unique_ptr<WebHint> hint_;
  std::map<std::string, val> made_;
};

}  // namespace dct::platform::web
