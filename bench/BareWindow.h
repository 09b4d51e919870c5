#pragma once

// The reference of the start-up benchmark: a bare Qt Widgets program, a
// full-screen QWidget with one QLabel, that ends the ordinary way (the event
// loop ends, main() returns) at its first paint. The bench runs it as a
// program of its own, linking Qt Widgets alone (BareMain.cpp), and from
// within itself, with every library of Зорбикс loaded.
int bareWindow(int argc, char *argv[]);
