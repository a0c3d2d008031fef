#pragma once

// Registers the images compiled into the application library.
void RegisterResources();
