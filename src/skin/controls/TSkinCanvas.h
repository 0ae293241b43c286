// The off-screen bitmap a frame lends its skinners, so that a control is composed out of sight and copied to
// the window in one blit. It grows to the largest control drawn and is reused; while one skinner holds it,
// another (a parent asked for its background in the middle of a paint) gets a temporary bitmap instead.
#pragma once

#include "platform/win.h"

namespace skin {

class TSkinCanvas {
public:
    TSkinCanvas() = default;
    ~TSkinCanvas();
    TSkinCanvas(const TSkinCanvas&) = delete;
    TSkinCanvas& operator=(const TSkinCanvas&) = delete;

    // A memory context of at least width x height; null when the canvas is in use or cannot be made.
    win::HDC Acquire(win::HDC like, int width, int height);
    void Release() { m_busy = false; }

private:
    void Free();

    win::HDC m_dc = nullptr;
    win::HBITMAP m_bitmap = nullptr;
    win::HGDIOBJ m_oldBitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
    bool m_busy = false;
};

// A width x height memory context for one drawing: the canvas's when it is free, else a bitmap of its own.
// Present copies the part drawn to the destination.
class OffscreenBuffer {
public:
    OffscreenBuffer(TSkinCanvas* canvas, win::HDC like, int width, int height);
    ~OffscreenBuffer();
    OffscreenBuffer(const OffscreenBuffer&) = delete;
    OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

    win::HDC Dc() const { return m_dc; }
    void Present(win::HDC dest, int x, int y) const;

private:
    TSkinCanvas* m_canvas = nullptr; // set while the canvas's context is ours
    win::HDC m_dc = nullptr;
    win::HBITMAP m_bitmap = nullptr;
    win::HGDIOBJ m_oldBitmap = nullptr;
    int m_saved = 0;
    int m_width = 0;
    int m_height = 0;
};

} // namespace skin
