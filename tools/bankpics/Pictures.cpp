#include "Pictures.h"

#include <array>

namespace bankpics {

namespace {

constexpr int kIcon = 120;

constexpr std::array kPictures{
    Picture{"sign_speed_limit_40.bmp", kIcon, kIcon, Format::Bmp, drawSpeedLimit40},
    Picture{"sign_no_honking.bmp", kIcon, kIcon, Format::Bmp, drawNoHonking},
    Picture{"sign_no_parking.bmp", kIcon, kIcon, Format::Bmp, drawNoParking},
    Picture{"sign_no_entry.bmp", kIcon, kIcon, Format::Bmp, drawNoEntry},
    Picture{"sign_no_u_turn.bmp", kIcon, kIcon, Format::Bmp, drawNoUTurn},
    Picture{"sign_pedestrian_crossing.bmp", kIcon, kIcon, Format::Bmp, drawPedestrianCrossing},
    Picture{"sign_children.bmp", kIcon, kIcon, Format::Bmp, drawChildren},
    Picture{"light_oil_pressure.bmp", kIcon, kIcon, Format::Bmp, drawOilPressure},
    Picture{"light_coolant_temp.bmp", kIcon, kIcon, Format::Bmp, drawCoolantTemp},
    Picture{"light_charging.bmp", kIcon, kIcon, Format::Bmp, drawCharging},
    Picture{"light_brake.bmp", kIcon, kIcon, Format::Bmp, drawBrake},
    Picture{"light_abs.bmp", kIcon, kIcon, Format::Bmp, drawAbs},
    Picture{"light_engine.bmp", kIcon, kIcon, Format::Bmp, drawEngine},
    Picture{"light_seatbelt.bmp", kIcon, kIcon, Format::Bmp, drawSeatbelt},
    Picture{"light_fuel_low.bmp", kIcon, kIcon, Format::Bmp, drawFuelLow},
    Picture{"taximeter.jpeg", 240, 150, Format::Jpeg, drawTaximeter},
};

} // namespace

std::span<const Picture> pictures() {
    return kPictures;
}

} // namespace bankpics
