// Planted for the layering check: an operating-system header outside the platform seam.
#pragma once
#include <Windows.h>
