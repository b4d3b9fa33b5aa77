#include "options/ProportionRule.h"

// The rule is a template; its arithmetic is checked here once at compile time.
static_assert(options::WidthForHeight(303) == 497);
static_assert(options::WidthForHeight(315) == 517);
static_assert(options::HeightForWidth(611) == 373);
static_assert(options::HeightForWidth(601) == 366);
