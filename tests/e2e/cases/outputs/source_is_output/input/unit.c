int unit;
