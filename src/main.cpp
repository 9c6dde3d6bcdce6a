// Larkspur, an HTML source editor.
// Copyright (C) 2026 The Larkspur developers. GPL-3.0-or-later.
#include "app/Startup.h"

int main(int argc, char** argv) { return larkspur::LarkspurMain(argc, argv); }
