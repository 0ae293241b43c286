// What the skinners of the common controls share: they paint the whole control themselves, so the control's
// own painting never runs while the skin has the image they draw from.
#pragma once

#include "skin/controls/TSkinControl.h"
#include "skin/data/TDataSkinObject.h"

#include <cstddef>
#include <string>

namespace skin {

// Answers WM_PAINT with the skin alone, into the message's context or a BeginPaint one.
void PaintInstead(TSkinControl& skinner, tk::TMessage& message);
// For BeforeMessage of a skinner that draws the whole control: answers WM_PAINT with PaintInstead and
// swallows WM_ERASEBKGND; true when the message was one of those.
bool TakeOverPainting(TSkinControl& skinner, tk::TMessage& message);

// The element exists and has an image to draw from.
bool HasImage(const TDataSkinObject* element);

// The frame (from 1) of a four-state element laid out normal, hot, pressed, disabled.
int FourStateFrame(bool hot, bool pressed, bool disabled);

// Text a control returns into a buffer, with the length it claims checked against the buffer.
std::string BoundedText(const char* buffer, std::size_t capacity);

} // namespace skin
