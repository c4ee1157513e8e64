// SPDX-License-Identifier: MIT
#pragma once

namespace tavelo {

// Fonts, resources and icon shared by the program and its tests. Call once
// after the QApplication exists.
void setUpApplication();

}  // namespace tavelo
