# The feature objects (each feature issue appends its files here).
