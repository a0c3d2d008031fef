#pragma once

// Registers the images and catalogs compiled into the application library.
void RegisterResources();
