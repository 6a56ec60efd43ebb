// The receiver configuration the editor sets at start-up: product list 7,
// a satellite-only receiver, byte order 0 and the fixed block geometry.
#pragma once

void ConfigureStartupPolicy();
