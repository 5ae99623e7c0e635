#pragma once
// The drawing surface every sheet block draws on, in integer device units (y downwards).
// Implemented on a QPainter in app/ and by a recording device in the tests.
