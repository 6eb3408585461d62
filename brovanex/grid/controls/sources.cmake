# The cell controls (each control issue appends its files here).
