// Keeps the library non-empty until the engine's sources land.
