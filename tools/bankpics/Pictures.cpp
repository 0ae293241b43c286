#include "Pictures.h"

#include <array>

namespace bankpics {

namespace {

constexpr int kIcon = 120;

constexpr std::array kPictures{
    Picture{"sign_speed_limit_40.bmp", kIcon, kIcon, Format::Bmp, DrawSpeedLimit40},
    Picture{"sign_no_honking.bmp", kIcon, kIcon, Format::Bmp, DrawNoHonking},
    Picture{"sign_no_parking.bmp", kIcon, kIcon, Format::Bmp, DrawNoParking},
    Picture{"sign_no_entry.bmp", kIcon, kIcon, Format::Bmp, DrawNoEntry},
    Picture{"sign_no_u_turn.bmp", kIcon, kIcon, Format::Bmp, DrawNoUTurn},
    Picture{"sign_pedestrian_crossing.bmp", kIcon, kIcon, Format::Bmp, DrawPedestrianCrossing},
    Picture{"sign_children.bmp", kIcon, kIcon, Format::Bmp, DrawChildren},
    Picture{"light_oil_pressure.bmp", kIcon, kIcon, Format::Bmp, DrawOilPressure},
    Picture{"light_coolant_temp.bmp", kIcon, kIcon, Format::Bmp, DrawCoolantTemp},
    Picture{"light_charging.bmp", kIcon, kIcon, Format::Bmp, DrawCharging},
    Picture{"light_brake.bmp", kIcon, kIcon, Format::Bmp, DrawBrake},
    Picture{"light_abs.bmp", kIcon, kIcon, Format::Bmp, DrawAbs},
    Picture{"light_engine.bmp", kIcon, kIcon, Format::Bmp, DrawEngine},
    Picture{"light_seatbelt.bmp", kIcon, kIcon, Format::Bmp, DrawSeatbelt},
    Picture{"light_fuel_low.bmp", kIcon, kIcon, Format::Bmp, DrawFuelLow},
    Picture{"taximeter.jpeg", 240, 150, Format::Jpeg, DrawTaximeter},
};

} // namespace

std::span<const Picture> Pictures() {
    return kPictures;
}

} // namespace bankpics
