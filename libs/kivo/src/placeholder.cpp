void kivoPlaceholder() {}
