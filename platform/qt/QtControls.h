#pragma once

#include <QAccessible>
#include <QWidget>
#include <memory>

#include "platform/Peers.h"

// Each kind of control as Qt shows it, put on the window's widget; for QtForm.
namespace dct::platform::qt {

std::unique_ptr<TextBoxPeer> MakeTextBox(QWidget* window, const TextBoxSettings& settings,
                                         TextBoxInput& input);
std::unique_ptr<ScrollBarPeer> MakeScrollBar(QWidget* window, const ScrollBarSettings& settings,
                                             ScrollBarInput& input);
std::unique_ptr<CommandButtonPeer> MakeButton(QWidget* window,
                                              const CommandButtonSettings& settings,
                                              ButtonInput& input);
std::unique_ptr<LabelPeer> MakeLabel(QWidget* window, const LabelSettings& settings);
std::unique_ptr<PictureBoxPeer> MakePictureBox(QWidget* window, const PictureBoxSettings& settings,
                                               PictureBoxInput& input);

// What lets a screen reader hear a bar's value in the program's own words;
// installed for as long as the backend is open.
QAccessible::InterfaceFactory SayingBarFactory();

}  // namespace dct::platform::qt
