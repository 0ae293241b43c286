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

std::span<const Picture> pictures();

void drawSpeedLimit40(Canvas& c);
void drawNoHonking(Canvas& c);
void drawNoParking(Canvas& c);
void drawNoEntry(Canvas& c);
void drawNoUTurn(Canvas& c);
void drawPedestrianCrossing(Canvas& c);
void drawChildren(Canvas& c);

void drawOilPressure(Canvas& c);
void drawCoolantTemp(Canvas& c);
void drawCharging(Canvas& c);
void drawBrake(Canvas& c);
void drawAbs(Canvas& c);
void drawEngine(Canvas& c);
void drawSeatbelt(Canvas& c);
void drawFuelLow(Canvas& c);

void drawTaximeter(Canvas& c);

} // namespace bankpics
