// Chart layers.
