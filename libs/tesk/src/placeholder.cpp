void teskPlaceholder() {}
