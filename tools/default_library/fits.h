#pragma once

// Sizes that pieces of apparatus share so that they fit together when dropped on the 1 mm grid.
// Glassware, heating and support are drawn at one third of real size, rounded to whole millimetres.

namespace korvo::tools::fits {

// Between the walls of every flask neck and of a boiling tube: the stoppers fit it.
constexpr float NeckBore = 8;
// A stopper is this wide at the top and NeckBore at the bottom.
constexpr float StopperTop = 10;
constexpr float StopperHeight = 8;
// Delivery tubes, thermometers and funnel stems; the holes of the stoppers take them.
constexpr float NarrowTube = 2;
// A test tube and a burette; the clamp's jaws and the rack's holes take them.
constexpr float TubeBore = 6;
// The tripod and the gauze it carries: a flask on them stands just over a burner's flame.
constexpr float TripodHeight = 70;
constexpr float TripodTop = 50;
constexpr float GauzeWidth = 56;
constexpr float GauzeThickness = 2;

} // namespace korvo::tools::fits
