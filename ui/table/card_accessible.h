/// The card images as a screen reader sees them: buttons it can press, named by their card
/// and described by where they lie and how they are marked.
#pragma once

namespace tazkova::ui {

/// Lets the card images be read and pressed by a screen reader.
void InstallCardAccessibility();

}  // namespace tazkova::ui
