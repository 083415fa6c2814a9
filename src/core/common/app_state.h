#pragma once
#include <array>
#include <cstdint>
#include <string>

// Application state that start-up prepares and every command reads.
struct AppState {
    std::array<std::uint8_t, 416> ledgerParams{}; // record 0 of "Bank.Rdx"
    std::array<double, 6> rates{};                // lump-sum rates of "strycz.Rdx"
    std::array<std::string, 4> officeLines;       // office identity, code page 1250, at most 40 characters each
};

AppState& appState();
