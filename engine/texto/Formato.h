// Numbers as the player sees them: plain decimal digits, and seconds with the "0.00" pattern.
#pragma once

#include <cstdint>
#include <string>

// Two decimals, rounded, at least one digit before the point ("0.00", "15.00", "12.24").
std::string Formato00(double valor);

// The number that a "0.00" text shows, in hundredths: "12.24" gives 1224.
int32_t Centesimas(const std::string &texto);
