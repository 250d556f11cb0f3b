#pragma once

// Letter case and numeric helpers shared by loaders, screens and gameplay.
bool equalsIgnoreCase(const char* a, const char* b);
void toUpperInPlace(char* text);

void seedRandom();
// A random integer from low to high, both included (high must not be below low).
int randomBetween(int low, int high);

// Two boxes meet (edges included) on both axes.
bool boxesOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);

// Copies at most capacity - 1 bytes and always terminates.
void copyText(char* destination, const char* source, int capacity);
