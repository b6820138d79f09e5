#pragma once

namespace about {

// Shows the about box modally over the active window; returns when it closes.
void ShowAboutBox();

}  // namespace about
