// Placeholder so the GL layer links before its first drawing file exists.
