#pragma once
// The program's own start-up, defined once by each executable built on the framework. The framework creates
// Application and Screen before calling it, and reports any error that escapes it as a start-up failure.

void ProgramMain();
