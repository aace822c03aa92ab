#pragma once

#include <functional>

class QKeyEvent;

namespace quillan {

class THelpForm;

// The keys the program's windows share: Escape cancels the window, Enter (either key) confirms
// it where it has a `confirm`, and F1 opens the help page `helpPage` in `help` (when there is a
// help window). True when the key was one of them; any other key is left to the window.
bool TakeWindowKey(const QKeyEvent& event, THelpForm* help, const char* helpPage, const std::function<void()>& cancel,
                   const std::function<void()>& confirm = {});

}  // namespace quillan
