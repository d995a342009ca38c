// The text-grid control.
