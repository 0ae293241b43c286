#pragma once

#include "Canvas.h"

#include <span>

namespace bankpics {

enum class Format { Bmp, Jpeg };

struct Picture {
    const char* file; // the name the program loads from its img/ folder
    int width;
    int height;
    Format format;
    void (*draw)(Canvas&);
};

std::span<const Picture> Pictures();

void DrawSpeedLimit40(Canvas& c);
void DrawNoHonking(Canvas& c);
void DrawNoParking(Canvas& c);
void DrawNoEntry(Canvas& c);
void DrawNoUTurn(Canvas& c);
void DrawPedestrianCrossing(Canvas& c);
void DrawChildren(Canvas& c);

void DrawOilPressure(Canvas& c);
void DrawCoolantTemp(Canvas& c);
void DrawCharging(Canvas& c);
void DrawBrake(Canvas& c);
void DrawAbs(Canvas& c);
void DrawEngine(Canvas& c);
void DrawSeatbelt(Canvas& c);
void DrawFuelLow(Canvas& c);

void DrawTaximeter(Canvas& c);

} // namespace bankpics
