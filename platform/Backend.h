#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ControlSettings.h"
#include "platform/Peers.h"
#include "platform/Runtime.h"

namespace dct::platform {

struct ProgramDescription;

// What each backend provides to the shared runtime; CMake builds exactly one.
namespace backend {

std::unique_ptr<FormPeer> CreateForm(const FormSettings& settings);
std::unique_ptr<TextBoxPeer> CreateTextBox(FormPeer& form, const TextBoxSettings& settings,
                                           TextBoxInput& input);
std::unique_ptr<ScrollBarPeer> CreateScrollBar(FormPeer& form, const ScrollBarSettings& settings,
                                               ScrollBarInput& input);
std::unique_ptr<CommandButtonPeer> CreateCommandButton(FormPeer& form,
                                                       const CommandButtonSettings& settings,
                                                       ButtonInput& input);
std::unique_ptr<LabelPeer> CreateLabel(FormPeer& form, const LabelSettings& settings);
std::unique_ptr<PictureBoxPeer> CreatePictureBox(FormPeer& form, const PictureBoxSettings& settings,
                                                 PictureBoxInput& input);
// Puts the text on the clipboard, where the platform lets a program do so,
// and calls `done` with whether the clipboard took it once that is known.
void CopyText(const std::string& text, std::function<void(bool copied)> done);
// Offers to save the bytes as a file, as Runtime::SaveFile says, and calls
// `done` with the outcome and the name chosen once they are known.
void SaveFile(const std::string& suggestedName, std::vector<std::uint8_t> bytes,
              std::function<void(SaveOutcome outcome, const std::string& name)> done);

// Runs `work` away from the events (the desktop: on another thread; a page:
// once the page has been painted) and then `finished` on the events' own
// thread, as an event of its own.
void RunInBackground(std::function<void()> work, std::function<void()> finished);

// Prepares the toolkit, creates the program's start-up form, raises its Load
// through Runtime::LoadAndShow and delivers events until the program ends.
// Returns the exit status.
int Run(int argc, char** argv, const ProgramDescription& program);

// Ends the program at once: no further event. The desktop's windows close;
// a page's stay in sight, taking no more input, as closing one would close
// the browser's tab or window with it.
void End();

// After a failure has been printed on standard error: shows it where a user
// sees it and ends the program with status 1. The desktop exits here; a page
// cannot, so it returns with every control disabled.
void Fail(const std::string& message);

}  // namespace backend
}  // namespace dct::platform
