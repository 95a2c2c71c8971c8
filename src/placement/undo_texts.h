#pragma once
// String ids of the undo step texts of the placing and removing routines.
namespace UndoText {
constexpr int PlaceLED = 2582;
constexpr int DeleteLED = 2583;
constexpr int PlaceGate = 2584;
constexpr int DeleteGate = 2585;
constexpr int PlaceInverter = 2586;
constexpr int DeleteInverter = 2587;
constexpr int PlaceSwitch = 2588;
constexpr int DeleteSwitch = 2589;
constexpr int DeleteText = 2590;
constexpr int PlaceHA = 2591;
constexpr int PlaceFA = 2592;
constexpr int DeleteAdder = 2593;
constexpr int PlaceClock = 2594;
constexpr int DeleteClock = 2595;
constexpr int PlaceMultiplexer = 2596;
constexpr int DeleteMultiplexer = 2597;
constexpr int PlaceDecoder = 2598;
constexpr int DeleteDecoder = 2599;
constexpr int PlaceFlipFlop = 2600;
constexpr int DeleteFlipFlop = 2607;
constexpr int PlaceShiftRegister = 2608;
constexpr int DeleteShiftRegister = 2609;
constexpr int PlaceSevenSegment = 2610;
constexpr int PlaceIC = 2611;
constexpr int DeleteIC = 2612;
constexpr int DeleteSensor = 2619;
constexpr int PlaceSensor = 2620;
constexpr int DeleteSevenSegment = 2621;
constexpr int PlaceTriState = 2622;
constexpr int DeleteTriState = 2623;
} // namespace UndoText
