void corePlaceholder() {}
