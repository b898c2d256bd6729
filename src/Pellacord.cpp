// Pellacord's start-up: four calls, in this order.

#include "Application.h"
#include "Program.h"
#include "uMainform.h"

void ProgramMain() {
  Application->Initialize();
  Application->SetMainFormOnTaskBar(true);
  Application->CreateForm(Form1);
  Application->Run();
}
