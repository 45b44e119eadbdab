#pragma once

// Links the windows' stored pictures into the program; called once at start-up.
void LoadPictureResources();
