// The unit that the precompiled headers are made for.
