#pragma once

#include "platform/message_box.h"

// The About box: the product's name, who wrote it and where to write to,
// in an information box with an OK button; returns once it is dismissed.
void showAboutBox(platform::MessageBoxes& messages);
